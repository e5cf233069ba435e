# The asset generators test their own rules and the files they made.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME tools_python
           COMMAND ${Python3_EXECUTABLE} -m unittest discover -s tools -p "test_*.py"
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
endif()
