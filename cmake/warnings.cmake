# One set of compiler flags for every target of the project.
add_library(listrider_warnings INTERFACE)
add_library(listrider::warnings ALIAS listrider_warnings)
target_compile_features(listrider_warnings INTERFACE cxx_std_20)
target_compile_options(listrider_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  -Woverloaded-virtual -Wcast-qual)
if(LISTRIDER_WERROR)
  target_compile_options(listrider_warnings INTERFACE -Werror)
endif()
