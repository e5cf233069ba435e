# The table of best results: entering results, the file, crashes and faults.
torvel_add_gtest(results_test
  SOURCES results_table_test.cpp results_file_test.cpp results_crash_test.cpp results_number_test.cpp
          support/temp_folder.cpp
  LIBS torvel_results)

torvel_add_fuzzer(results_record_table_fuzz results_record_table_fuzz.cpp torvel_results
                  ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/record_table)
target_sources(results_record_table_fuzz PRIVATE support/temp_folder.cpp)
