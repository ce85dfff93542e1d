file(REMOVE_RECURSE
  "liborvane_win32.a"
)
