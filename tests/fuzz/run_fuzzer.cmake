# Runs one libFuzzer program for SECONDS on a scratch copy of its CORPUS, so that the
# repository is never written; inputs that break a rule are kept in SCRATCH/artifacts.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/artifacts)
file(COPY ${CORPUS}/ DESTINATION ${SCRATCH}/corpus)
set(options -max_total_time=${SECONDS} -rss_limit_mb=2048 -timeout=10 -print_final_stats=1
            -artifact_prefix=${SCRATCH}/artifacts/)
if(DICTIONARY)
  list(APPEND options -dict=${DICTIONARY})
endif()
execute_process(COMMAND ${FUZZER} ${options} ${SCRATCH}/corpus RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} found a fault; the input is in ${SCRATCH}/artifacts")
endif()
