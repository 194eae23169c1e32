# Installs the Framecore part of a build tree into a scratch prefix and builds a separate
# consumer project against it with find_package(Framecore), then runs the consumer and the
# installed framecalc. Run with cmake -P; see ../CMakeLists.txt for the variables.

foreach(var BUILD_DIR FRAMECORE_BUILD_DIR CONSUMER_SOURCE_DIR WORK_DIR CONFIG GENERATOR CXX_COMPILER)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})

# What is installed must be built; a no-op when the whole build is done.
run(${CMAKE_COMMAND} --build ${BUILD_DIR} --target Framecore)

# Framecore's own install script covers the library, its headers and its package files, and
# nothing of the program (framecalc belongs to the program now).
run(${CMAKE_COMMAND} -DCMAKE_INSTALL_PREFIX=${prefix} -DCMAKE_INSTALL_CONFIG_NAME=${CONFIG}
    -P ${FRAMECORE_BUILD_DIR}/cmake_install.cmake)

file(GLOB_RECURSE config_file ${prefix}/*/FramecoreConfig.cmake)
file(GLOB headers ${prefix}/include/Framecore/*.h)
if(NOT config_file OR NOT headers OR EXISTS ${prefix}/bin/framecalc)
  message(FATAL_ERROR "wrong install in ${prefix}: config '${config_file}', headers, no framecalc")
endif()

# A consumer gets nlohmann_json through the package; Boost and ICU stay inside the library.
foreach(header IN LISTS headers)
  file(STRINGS ${header} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](boost/|unicode/)")
  if(includes)
    message(FATAL_ERROR "${header} exposes a private dependency: ${includes}")
  endif()
endforeach()

run(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE_DIR} -B ${WORK_DIR}/consumer -G ${GENERATOR}
    -DCMAKE_BUILD_TYPE=${CONFIG} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    -DCMAKE_PREFIX_PATH=${prefix} "-DCMAKE_CXX_FLAGS=${CONSUMER_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${CONSUMER_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)

run(${WORK_DIR}/consumer/FramecoreConsumer)
string(CONCAT expected
  "01:00:00:00 at 25 is 5625:00 of 35mm at 24 / 10 + 5 = 15 / {\"formatType\":\"video\",\"frameRate\":\"fps25\"}\n"
  # The public edge: a doubled sign is refused, a negative field marked negative stays negative,
  # formatting keeps the sign, a drop mark at 25 counts without drop, min and max are values.
  "--01:00:00:00 refused, reads as 00:00:00:00\n"
  "-1 h marked negative is -01:00:00:00\n"
  "-50 marked negative is -00:00:02:00\n"
  "15000 at 25 marked drop is 00:10:00:00\n"
  "min 1.5, max 2\n")
if(NOT run_output STREQUAL expected)
  message(FATAL_ERROR "consumer printed:\n${run_output}\nexpected:\n${expected}")
endif()

message(STATUS "installed Framecore package works from ${prefix}")
