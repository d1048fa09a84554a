file(REMOVE_RECURSE
  "CMakeFiles/quillset_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/quillset_autogen.dir/ParseCache.txt"
  "quillset_autogen"
  "CMakeFiles/quillset.dir/main.cpp.o"
  "CMakeFiles/quillset.dir/main.cpp.o.d"
  "CMakeFiles/quillset.dir/quillset_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/quillset.dir/quillset_autogen/mocs_compilation.cpp.o.d"
  "quillset"
  "quillset.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/quillset.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
