src/CMakeFiles/quillset.dir/quillset_autogen/mocs_compilation.cpp.o: \
 /work/main/build/src/quillset_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
