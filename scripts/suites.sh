# Sourced by ./test, scripts/checks and scripts/soak: the three builds of the test suite
# and how each runs. After steps.sh.
#   plain   build/test, the debug build ./test runs
#   asan    build/asan, AddressSanitizer and UndefinedBehaviorSanitizer (clang)
#   tsan    build/tsan, ThreadSanitizer (clang); Qt's own libraries are not instrumented,
#           so the UI suite runs in the other two builds only

suite_dir() {  # suite
    case $1 in
    plain) echo build/test ;;
    asan | tsan) echo "build/$1" ;;
    *) echo "unknown suite '$1' (plain, asan or tsan)" >&2; return 2 ;;
    esac
}

suite_build() {  # suite: configure and build, one step line each
    local dir
    dir=$(suite_dir "$1")
    case $1 in
    plain)
        step "configuring $dir" cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
            -DBRINEVANE_WERROR=ON
        ;;
    asan)
        CC=clang CXX=clang++ step "configuring $dir" cmake -S . -B "$dir" -G Ninja \
            -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined \
-fno-sanitize-recover=all -fno-omit-frame-pointer"
        ;;
    tsan)
        CC=clang CXX=clang++ step "configuring $dir" cmake -S . -B "$dir" -G Ninja \
            -DCMAKE_BUILD_TYPE=Debug -DBRINEVANE_UI=OFF \
            -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer"
        ;;
    esac
    step "building $dir" cmake --build "$dir" -j "$(nproc)"
}

suite_test() {  # suite [ctest arguments...]: the whole suite, two tests per core
    local suite=$1 dir
    shift
    dir=$(suite_dir "$suite")
    # The trace of debug builds would drown the output; tests that read it switch it on.
    # The tests read the programs' English texts, whatever the user's language.
    QT_QPA_PLATFORM=offscreen BRINEVANE_TRACE=0 LC_ALL= LC_MESSAGES=C LANGUAGE= \
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
        TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
        ctest --test-dir "$dir" -j "$(($(nproc) * 2))" --output-on-failure --timeout 600 "$@"
}
