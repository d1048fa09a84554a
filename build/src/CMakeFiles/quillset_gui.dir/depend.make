# Empty dependencies file for quillset_gui.
# This may be replaced when dependencies are built.
