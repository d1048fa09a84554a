src/CMakeFiles/quillset_core.dir/quillset_core_autogen/mocs_compilation.cpp.o: \
 /work/main/build/src/quillset_core_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
