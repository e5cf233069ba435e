# Warnings are on everywhere; CI turns them into errors.
add_compile_options(-Wall -Wextra -Wpedantic)
if(TORVEL_WERROR)
  add_compile_options(-Werror)
endif()
