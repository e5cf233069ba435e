# The generators test their own rules and the files they made: the word base's
# in tools/wordbase, the art's in tools/art.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME tools_wordbase_python
           COMMAND ${Python3_EXECUTABLE} -m unittest discover -s tools/wordbase -p "test_*.py"
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  add_test(NAME tools_art_python
           COMMAND ${Python3_EXECUTABLE} -m unittest discover -s tools/art -p "test_*.py"
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  # The word-base report's simulation is checked against the engine's own games.
  set_tests_properties(tools_wordbase_python PROPERTIES
                       ENVIRONMENT "COMPUTER_PLAYS=$<TARGET_FILE:computer_plays>")
endif()
