# Project code builds free of warnings; `make test` and CI make any new one an
# error. A user's build never fails on one: a newer compiler may warn anew.
option(COINWELL_WERROR "Treat compiler warnings as errors" OFF)

function(coinwell_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${COINWELL_WERROR}>:-Werror>)
endfunction()
