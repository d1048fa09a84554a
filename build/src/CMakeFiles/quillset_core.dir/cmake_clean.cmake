file(REMOVE_RECURSE
  "CMakeFiles/quillset_core_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/quillset_core_autogen.dir/ParseCache.txt"
  "quillset_core_autogen"
  "CMakeFiles/quillset_core.dir/generator/entryscript.cpp.o"
  "CMakeFiles/quillset_core.dir/generator/entryscript.cpp.o.d"
  "CMakeFiles/quillset_core.dir/generator/generationhost.cpp.o"
  "CMakeFiles/quillset_core.dir/generator/generationhost.cpp.o.d"
  "CMakeFiles/quillset_core.dir/generator/generationrun.cpp.o"
  "CMakeFiles/quillset_core.dir/generator/generationrun.cpp.o.d"
  "CMakeFiles/quillset_core.dir/generator/pageframe.cpp.o"
  "CMakeFiles/quillset_core.dir/generator/pageframe.cpp.o.d"
  "CMakeFiles/quillset_core.dir/generator/signpage.cpp.o"
  "CMakeFiles/quillset_core.dir/generator/signpage.cpp.o.d"
  "CMakeFiles/quillset_core.dir/generator/viewpage.cpp.o"
  "CMakeFiles/quillset_core.dir/generator/viewpage.cpp.o.d"
  "CMakeFiles/quillset_core.dir/quillset_core_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/quillset_core.dir/quillset_core_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/quillset_core.dir/store/applog.cpp.o"
  "CMakeFiles/quillset_core.dir/store/applog.cpp.o.d"
  "CMakeFiles/quillset_core.dir/store/filetests.cpp.o"
  "CMakeFiles/quillset_core.dir/store/filetests.cpp.o.d"
  "CMakeFiles/quillset_core.dir/store/guestbookproject.cpp.o"
  "CMakeFiles/quillset_core.dir/store/guestbookproject.cpp.o.d"
  "CMakeFiles/quillset_core.dir/store/programfolder.cpp.o"
  "CMakeFiles/quillset_core.dir/store/programfolder.cpp.o.d"
  "CMakeFiles/quillset_core.dir/store/projectstore.cpp.o"
  "CMakeFiles/quillset_core.dir/store/projectstore.cpp.o.d"
  "CMakeFiles/quillset_core.dir/store/settingsfile.cpp.o"
  "CMakeFiles/quillset_core.dir/store/settingsfile.cpp.o.d"
  "libquillset_core.a"
  "libquillset_core.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/quillset_core.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
