# Every Tidewell target calls tidewell_target_defaults(): one place for the
# warning set and for the floating-point rules the results depend on.
function(tidewell_target_defaults target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic
    # Products must be rounded where the source says, never fused.
    -ffp-contract=off -fno-fast-math)
  if(TIDEWELL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
