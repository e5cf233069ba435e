# Benchmarks of the button painter: full repaints with Qt text.
add_executable(button_bench button_bench.cpp)
target_link_libraries(button_bench PRIVATE torvel_button_qt benchmark::benchmark)
