# Compiles the help: copies the pages beside the pictures in STAGE, runs the
# help compiler there, fails on any warning (a link to a file that is not
# there), clears the compile time and puts the file at OUTPUT.
# cmake -DCHMCMD=... -DCHMSTAMP=... -DSOURCE_DIR=... -DSTAGE=... -DOUTPUT=...
#   -P compile_help.cmake
foreach(var CHMCMD CHMSTAMP SOURCE_DIR STAGE OUTPUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "compile_help.cmake: ${var} is not set")
    endif()
endforeach()

file(GLOB sources ${SOURCE_DIR}/*.html ${SOURCE_DIR}/*.css ${SOURCE_DIR}/*.hhp ${SOURCE_DIR}/*.hhc
     ${SOURCE_DIR}/*.hhk)
file(COPY ${sources} DESTINATION ${STAGE})
file(REMOVE ${STAGE}/dzarvek.chm ${OUTPUT})

execute_process(COMMAND ${CHMCMD} dzarvek.hhp
                WORKING_DIRECTORY ${STAGE}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "[Ww]arning|[Ee]rror" OR NOT EXISTS ${STAGE}/dzarvek.chm)
    message(FATAL_ERROR "compile_help.cmake: the help compiler failed or warned:\n${output}")
endif()

execute_process(COMMAND ${CHMSTAMP} ${STAGE}/dzarvek.chm RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "compile_help.cmake: could not clear the compile time")
endif()

get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(COPY_FILE ${STAGE}/dzarvek.chm ${OUTPUT})
