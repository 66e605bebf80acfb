# Installs the build in BUILD to WORK/prefix, builds the host in SOURCE
# against it (CMake package, then pkg-config) and runs it.
file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command}: exit ${status}\n${out}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix})

# CMake: the prefix is the only path the outside project is given.
run(${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK}/build -G ${GENERATOR} -DCMAKE_PREFIX_PATH=${prefix})
run(${CMAKE_COMMAND} --build ${WORK}/build)
run(${WORK}/build/myhost)
message(STATUS "find_package host: ${out}")
if(NOT out MATCHES "series [1-9][0-9]*, Uf [0-9.]+")
  message(FATAL_ERROR "unexpected output of the outside host: ${out}")
endif()

# pkg-config with the same source.
find_program(PKG_CONFIG pkg-config REQUIRED)
set(ENV{PKG_CONFIG_PATH} "")
file(GLOB_RECURSE pc ${prefix}/velmar.pc)
get_filename_component(pcdir "${pc}" DIRECTORY)
set(ENV{PKG_CONFIG_PATH} ${pcdir})
run(${PKG_CONFIG} --cflags --libs velmar)
string(STRIP "${out}" flags)
separate_arguments(flags UNIX_COMMAND "${flags}")
run(c++ -fPIC ${SOURCE}/main.cpp -o ${WORK}/myhost-pc ${flags})
run(${WORK}/myhost-pc)
message(STATUS "pkg-config host: ${out}")
