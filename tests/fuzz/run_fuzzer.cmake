# Runs one libFuzzer program for SECONDS on a scratch copy of its CORPUS, so that the
# repository is never written; inputs that break a rule are kept in SCRATCH/artifacts.
# SCRATCH/summary says how many inputs ran, for the CI log.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/artifacts)
file(COPY ${CORPUS}/ DESTINATION ${SCRATCH}/corpus)
set(options -max_total_time=${SECONDS} -rss_limit_mb=2048 -timeout=10 -print_final_stats=1
            -artifact_prefix=${SCRATCH}/artifacts/)
if(DICTIONARY)
  list(APPEND options -dict=${DICTIONARY})
endif()
execute_process(COMMAND ${FUZZER} ${options} ${SCRATCH}/corpus RESULT_VARIABLE result
                OUTPUT_FILE ${SCRATCH}/log ERROR_FILE ${SCRATCH}/log)
file(STRINGS ${SCRATCH}/log runs REGEX "^stat::number_of_executed_units:")
string(REGEX REPLACE "[^0-9]" "" runs "${runs}")
get_filename_component(target ${SCRATCH} NAME)
file(WRITE ${SCRATCH}/summary "${target}: ${runs} inputs in ${SECONDS} s\n")
if(NOT result EQUAL 0)
  file(READ ${SCRATCH}/log log)
  message(FATAL_ERROR "${log}\n${FUZZER} found a fault; the input is in ${SCRATCH}/artifacts")
endif()
