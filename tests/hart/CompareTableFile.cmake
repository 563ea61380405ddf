# Runs data/make-table-file.py and fails when its output differs from data/TABEN.DDF.
execute_process(COMMAND ${PYTHON} ${DATA_DIR}/make-table-file.py
                OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "make-table-file.py failed (${status})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${DATA_DIR}/TABEN.DDF
                RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "data/TABEN.DDF is not what make-table-file.py makes of "
                        "hart-common-codes.tsv; run it again (see its header)")
endif()
