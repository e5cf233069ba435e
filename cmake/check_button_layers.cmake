# Fails when a layer of the skinned button reaches above itself: the painter
# into the model, the model into the stored forms, any plain C++ layer into
# Qt. Run as: cmake -DSOURCE_DIR=<source tree> -P check_button_layers.cmake

# What each plain layer may include from the tree; the Qt widget may use them all.
set(value_types "button/paint/(colour|font_attributes|image|picture|rect)\\.h$")
set(allowed_paint "button/paint/|common/")
set(allowed_host "button/host/|${value_types}")
set(allowed_model "button/model/|${allowed_host}|button/paint/paint_input\\.h$|common/")
set(allowed_form "button/form/|${allowed_model}|common/")

set(faults "")
foreach(layer paint host model form)
  file(GLOB sources ${SOURCE_DIR}/button/${layer}/*.h ${SOURCE_DIR}/button/${layer}/*.cpp)
  if(NOT sources)
    list(APPEND faults "button/${layer}: no sources found")
  endif()
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
    file(STRINGS ${source} includes REGEX "^#include ")
    foreach(line IN LISTS includes)
      if(line MATCHES "^#include <(Q[^>]*)>")
        list(APPEND faults "${name}: Qt header ${CMAKE_MATCH_1}")
      elseif(line MATCHES "^#include \"([^\"]+)\"")
        set(header ${CMAKE_MATCH_1})
        if(NOT header MATCHES "^(${allowed_${layer}})")
          list(APPEND faults "${name}: ${header}")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " listed)
  message(FATAL_ERROR "includes that cross the button's layers:\n  ${listed}")
endif()
