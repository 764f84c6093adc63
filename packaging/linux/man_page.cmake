# Writes OUTPUT (a .1.gz) from PROGRAM's --help through help2man (HELP2MAN),
# with the exit status as a section of its own and the sections of INCLUDE
# (the user service), compressed as Debian wants it.
execute_process(COMMAND ${HELP2MAN} --no-info --version-string=${VERSION}
                        "--name=dial an Internet connection and run programs on a schedule"
                        --include=${INCLUDE} ${PROGRAM}
                OUTPUT_VARIABLE page COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE ".SS \"Exit status:\"" ".SH \"EXIT STATUS\"" page "${page}")
string(REGEX REPLACE "\\.gz$" "" plain "${OUTPUT}")
file(WRITE ${plain} "${page}")
execute_process(COMMAND gzip -9nf ${plain} COMMAND_ERROR_IS_FATAL ANY)
