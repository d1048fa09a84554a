src/CMakeFiles/quillset_gui.dir/quillset_gui_autogen/mocs_compilation.cpp.o: \
 /work/main/build/src/quillset_gui_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
