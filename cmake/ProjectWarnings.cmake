# Project code is warning-free; third-party headers come in as system headers.
function(coinwell_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
