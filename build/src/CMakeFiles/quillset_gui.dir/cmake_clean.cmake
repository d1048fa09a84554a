file(REMOVE_RECURSE
  "CMakeFiles/quillset_gui_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/quillset_gui_autogen.dir/ParseCache.txt"
  "quillset_gui_autogen"
  "CMakeFiles/quillset_gui.dir/chrome/desktopactions.cpp.o"
  "CMakeFiles/quillset_gui.dir/chrome/desktopactions.cpp.o.d"
  "CMakeFiles/quillset_gui.dir/chrome/messageprompt.cpp.o"
  "CMakeFiles/quillset_gui.dir/chrome/messageprompt.cpp.o.d"
  "CMakeFiles/quillset_gui.dir/chrome/placement.cpp.o"
  "CMakeFiles/quillset_gui.dir/chrome/placement.cpp.o.d"
  "CMakeFiles/quillset_gui.dir/quillset_gui_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/quillset_gui.dir/quillset_gui_autogen/mocs_compilation.cpp.o.d"
  "libquillset_gui.a"
  "libquillset_gui.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/quillset_gui.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
