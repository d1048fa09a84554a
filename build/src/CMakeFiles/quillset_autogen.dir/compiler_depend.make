# Empty custom commands generated dependencies file for quillset_autogen.
# This may be replaced when dependencies are built.
