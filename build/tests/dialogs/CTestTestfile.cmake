# CMake generated Testfile for 
# Source directory: /work/main/tests/dialogs
# Build directory: /work/main/build/tests/dialogs
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
