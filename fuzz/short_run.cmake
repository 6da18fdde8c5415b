# One short, repeatable fuzz run: a fixed seed and number of executions, starting from the seed
# corpus. New inputs go to a fresh scratch folder so the seed corpus in the checkout stays as it
# is; a crashing input is kept there beside them.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/new)
execute_process(
  COMMAND ${FUZZER} -seed=1 -runs=${RUNS} -max_len=4096 -timeout=10 -rss_limit_mb=2048
          -print_final_stats=1 -artifact_prefix=${WORK}/ ${WORK}/new ${CORPUS}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the input is in ${WORK}")
endif()
