# Sourced by ./run, ./test and scripts/checks: each set-up step (installing packages,
# configuring, building) becomes one line with its time; what the step itself prints
# goes to a log, whose end and path are shown when the step fails.
#   steps_log build/test.log     start a new log
#   step "building" cmake --build build/test

steps_log() {
    STEPS_LOG=$1
    mkdir -p "$(dirname "$STEPS_LOG")"
    : >"$STEPS_LOG"
}

step() {
    local name=$1 start=${EPOCHREALTIME/./} status=0 first
    shift
    first=$(($(wc -l <"$STEPS_LOG") + 1))
    printf '%s... ' "$name"
    echo "== $name: $*" >>"$STEPS_LOG"
    "$@" >>"$STEPS_LOG" 2>&1 </dev/null || status=$?
    local tenths=$(((${EPOCHREALTIME/./} - start) / 100000))
    if [ "$status" -eq 0 ]; then
        printf 'done (%d.%d s)\n' $((tenths / 10)) $((tenths % 10))
        return 0
    fi
    printf 'FAILED (%d.%d s)\n' $((tenths / 10)) $((tenths % 10))
    tail -n "+$first" "$STEPS_LOG" | tail -n 25 | sed 's/^/    /' >&2
    echo "$name failed (exit status $status); the whole output is in $STEPS_LOG" >&2
    exit "$status"
}
