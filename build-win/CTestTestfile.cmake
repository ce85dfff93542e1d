# CMake generated Testfile for 
# Source directory: /work/wt-history
# Build directory: /work/wt-history/build-win
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("ui/win32")
subdirs("tests")
subdirs("packaging")
subdirs("bench/win32")
