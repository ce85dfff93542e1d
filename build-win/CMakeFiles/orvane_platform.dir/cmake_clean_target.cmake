file(REMOVE_RECURSE
  "liborvane_platform.a"
)
