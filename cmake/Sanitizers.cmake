# AddressSanitizer and UndefinedBehaviorSanitizer on all of the project's code
# (not on Qt's, which comes prebuilt): any finding stops the program. Used by
# the sanitizer build (SKYLYRE_SANITIZE) and the fuzzers alike.
set(SKYLYRE_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_compile_options(${SKYLYRE_SANITIZER_FLAGS} -O1)
add_link_options(${SKYLYRE_SANITIZER_FLAGS})
