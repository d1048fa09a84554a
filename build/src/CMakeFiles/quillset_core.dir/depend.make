# Empty dependencies file for quillset_core.
# This may be replaced when dependencies are built.
