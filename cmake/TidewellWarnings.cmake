# Every Tidewell target calls tidewell_target_defaults(): one place for the
# warning set and for the floating-point rules the results depend on.
function(tidewell_target_defaults target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic
    # Products must be rounded where the source says, never fused.
    -ffp-contract=off -fno-fast-math)
  if(TIDEWELL_SANITIZE)
    set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(${target} PRIVATE ${sanitizers})
    target_link_options(${target} PRIVATE ${sanitizers})
  endif()
  if(TIDEWELL_FUZZ)
    # Coverage for the fuzzer in every library it reaches.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
  if(TIDEWELL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
