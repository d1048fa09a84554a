
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/generator/entryscript.cpp" "src/CMakeFiles/quillset_core.dir/generator/entryscript.cpp.o" "gcc" "src/CMakeFiles/quillset_core.dir/generator/entryscript.cpp.o.d"
  "/work/main/src/generator/generationhost.cpp" "src/CMakeFiles/quillset_core.dir/generator/generationhost.cpp.o" "gcc" "src/CMakeFiles/quillset_core.dir/generator/generationhost.cpp.o.d"
  "/work/main/src/generator/generationrun.cpp" "src/CMakeFiles/quillset_core.dir/generator/generationrun.cpp.o" "gcc" "src/CMakeFiles/quillset_core.dir/generator/generationrun.cpp.o.d"
  "/work/main/src/generator/pageframe.cpp" "src/CMakeFiles/quillset_core.dir/generator/pageframe.cpp.o" "gcc" "src/CMakeFiles/quillset_core.dir/generator/pageframe.cpp.o.d"
  "/work/main/src/generator/signpage.cpp" "src/CMakeFiles/quillset_core.dir/generator/signpage.cpp.o" "gcc" "src/CMakeFiles/quillset_core.dir/generator/signpage.cpp.o.d"
  "/work/main/src/generator/viewpage.cpp" "src/CMakeFiles/quillset_core.dir/generator/viewpage.cpp.o" "gcc" "src/CMakeFiles/quillset_core.dir/generator/viewpage.cpp.o.d"
  "/work/main/build/src/quillset_core_autogen/mocs_compilation.cpp" "src/CMakeFiles/quillset_core.dir/quillset_core_autogen/mocs_compilation.cpp.o" "gcc" "src/CMakeFiles/quillset_core.dir/quillset_core_autogen/mocs_compilation.cpp.o.d"
  "/work/main/src/store/applog.cpp" "src/CMakeFiles/quillset_core.dir/store/applog.cpp.o" "gcc" "src/CMakeFiles/quillset_core.dir/store/applog.cpp.o.d"
  "/work/main/src/store/filetests.cpp" "src/CMakeFiles/quillset_core.dir/store/filetests.cpp.o" "gcc" "src/CMakeFiles/quillset_core.dir/store/filetests.cpp.o.d"
  "/work/main/src/store/guestbookproject.cpp" "src/CMakeFiles/quillset_core.dir/store/guestbookproject.cpp.o" "gcc" "src/CMakeFiles/quillset_core.dir/store/guestbookproject.cpp.o.d"
  "/work/main/src/store/programfolder.cpp" "src/CMakeFiles/quillset_core.dir/store/programfolder.cpp.o" "gcc" "src/CMakeFiles/quillset_core.dir/store/programfolder.cpp.o.d"
  "/work/main/src/store/projectstore.cpp" "src/CMakeFiles/quillset_core.dir/store/projectstore.cpp.o" "gcc" "src/CMakeFiles/quillset_core.dir/store/projectstore.cpp.o.d"
  "/work/main/src/store/settingsfile.cpp" "src/CMakeFiles/quillset_core.dir/store/settingsfile.cpp.o" "gcc" "src/CMakeFiles/quillset_core.dir/store/settingsfile.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
