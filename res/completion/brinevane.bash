# Bash completion for brinevane-probe, brinevane-sim and brinevane-setup.
# Self-contained (no bash-completion helpers), so that it also works when sourced by hand.

_brinevane_rates='50 110 300 600 1200 2400 4800 9600 14400 19200 38400 56000 57600 115200 128000 256000'

_brinevane_probe() {
    local cur=${COMP_WORDS[COMP_CWORD]} command='' args=0 i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
        -*) ;;
        *) if [[ -z $command ]]; then command=${COMP_WORDS[i]}; else ((args++)); fi ;;
        esac
    done
    if [[ $cur == -* ]]; then
        local options='--help --version --verbose --json'
        [[ $command == search ]] && options+=' --parallel --fast'
        [[ $command == ports ]] && options+=' --watch'
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    case $command in
    '') COMPREPLY=($(compgen -W 'ports search connect help' -- "$cur")) ;;
    help) ((args == 0)) && COMPREPLY=($(compgen -W 'ports search connect' -- "$cur")) ;;
    connect)
        if ((args == 0)); then
            if [[ $cur == /* ]]; then
                COMPREPLY=($(compgen -f -- "$cur"))
            else
                # The ports that exist now; the program lists them without opening one.
                local ports
                ports=$("${COMP_WORDS[0]}" ports 2>/dev/null | cut -d' ' -f1)
                COMPREPLY=($(compgen -W "$ports" -- "$cur"))
            fi
        elif ((args == 1)); then
            COMPREPLY=($(compgen -W "$_brinevane_rates" -- "$cur"))
        fi
        ;;
    esac
}

_brinevane_sim() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]} i
    for ((i = 1; i < COMP_CWORD; i++)); do
        if [[ ${COMP_WORDS[i]} == -- ]]; then
            COMPREPLY=($(compgen -c -- "$cur"))
            return
        fi
    done
    case $prev in
    --log) COMPREPLY=($(compgen -f -- "$cur")); return ;;
    --banner | --stream | --reply-delay | --break-ms | --listen) return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--help --version --verbose --banner --echo --stream --reply-delay --break-ms --listen --log --' -- "$cur"))
    else
        COMPREPLY=($(compgen -W "silent noise $_brinevane_rates" -- "$cur"))
    fi
}

_brinevane_setup() {
    COMPREPLY=($(compgen -W '--help --version --verbose --demo' -- "${COMP_WORDS[COMP_CWORD]}"))
}

complete -F _brinevane_probe brinevane-probe
complete -F _brinevane_sim brinevane-sim
complete -F _brinevane_setup brinevane-setup
