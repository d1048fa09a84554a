# Empty dependencies file for quillset.
# This may be replaced when dependencies are built.
