file(REMOVE_RECURSE
  "CMakeFiles/quillset_autogen"
  "quillset_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/quillset_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
