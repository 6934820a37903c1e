# ctest script: runs morvellan-newdb as a user would. Variables: TOOL (the program), WORK (a scratch folder).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# expect(<condition words...> MESSAGE <text>): fails the test when the condition is false.
function(expect)
  cmake_parse_arguments(E "" "MESSAGE" "" ${ARGN})
  cmake_language(EVAL CODE "
    if(NOT (${E_UNPARSED_ARGUMENTS}))
      message(FATAL_ERROR [==[${E_MESSAGE}]==])
    endif()")
endfunction()

# With login and password.
execute_process(COMMAND "${TOOL}" "${WORK}/Morvellan.mdb" chef "Geheim1"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect(rc EQUAL 0 MESSAGE "morvellan-newdb failed (${rc}): ${out}${err}")
expect(EXISTS ${WORK}/Morvellan.mdb MESSAGE "no database file was made")
string(FIND "${out}" "${WORK}/Morvellan.mdb" at)
expect(NOT at EQUAL -1 MESSAGE "the output does not say where the file is: ${out}")
string(FIND "${out}" "chef" at)
expect(NOT at EQUAL -1 MESSAGE "the output does not name the login: ${out}")
file(READ "${WORK}/Morvellan.mdb" head LIMIT 15)
string(FIND "${head}" "SQLite format 3" at)
expect(at EQUAL 0 MESSAGE "the file is not an SQLite database")

# It never overwrites a file.
file(SIZE "${WORK}/Morvellan.mdb" size_before)
execute_process(COMMAND "${TOOL}" "${WORK}/Morvellan.mdb" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect(NOT rc EQUAL 0 MESSAGE "an existing file was accepted")
file(SIZE "${WORK}/Morvellan.mdb" size_after)
expect(size_before EQUAL size_after MESSAGE "the existing file was changed")

# Without a password: a random one of 8 letters or digits is printed; the login defaults to admin.
execute_process(COMMAND "${TOOL}" "${WORK}/second.mdb" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect(rc EQUAL 0 MESSAGE "morvellan-newdb without a password failed (${rc}): ${out}${err}")
string(REGEX MATCH "Password: [A-Za-z0-9]+" pw "${out}")
string(LENGTH "${pw}" pwlen)
expect(pwlen EQUAL 18 MESSAGE "no generated password of 8 characters in: ${out}")
string(FIND "${out}" "login: admin" at)
expect(NOT at EQUAL -1 MESSAGE "the default login is not admin: ${out}")

# With --settings: settings.dat beside the file, the record of a first start naming the database.
file(MAKE_DIRECTORY "${WORK}/program")
execute_process(COMMAND "${TOOL}" --settings "${WORK}/program/Morvellan.mdb" admin "Geheim1"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect(rc EQUAL 0 MESSAGE "morvellan-newdb --settings failed (${rc}): ${out}${err}")
expect(EXISTS ${WORK}/program/settings.dat MESSAGE "no settings.dat beside the database: ${out}${err}")
file(SIZE "${WORK}/program/settings.dat" size)
expect(size EQUAL 167 MESSAGE "settings.dat has ${size} bytes, not one record of 167")
file(READ "${WORK}/program/settings.dat" language LIMIT 1 HEX)
expect(language STREQUAL "01" MESSAGE "the language byte is ${language}, not German")
file(READ "${WORK}/program/settings.dat" path OFFSET 67)
string(STRIP "${path}" path)
expect(path STREQUAL "${WORK}/program/Morvellan.mdb" MESSAGE "settings.dat names '${path}'")

# A settings.dat already there (a user's settings) is kept.
file(WRITE "${WORK}/program/settings.dat" "mine")
file(REMOVE "${WORK}/program/Morvellan.mdb")
execute_process(COMMAND "${TOOL}" --settings "${WORK}/program/Morvellan.mdb" admin "Geheim1"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect(rc EQUAL 0 MESSAGE "morvellan-newdb --settings failed (${rc}): ${out}${err}")
file(READ "${WORK}/program/settings.dat" kept)
expect(kept STREQUAL "mine" MESSAGE "an existing settings.dat was overwritten")
expect(NOT EXISTS ${WORK}/settings.dat MESSAGE "settings.dat was written without --settings")

# Bad arguments.
execute_process(COMMAND "${TOOL}" RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
expect(NOT rc EQUAL 0 MESSAGE "no arguments were accepted")
execute_process(COMMAND "${TOOL}" "${WORK}/third.mdb" "admin" "passwordtoolong16" RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
expect(NOT rc EQUAL 0 MESSAGE "a 17-character password was accepted")
expect(NOT EXISTS ${WORK}/third.mdb MESSAGE "a file was left after a refused password")
file(REMOVE_RECURSE "${WORK}")
