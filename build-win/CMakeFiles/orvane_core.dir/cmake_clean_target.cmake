file(REMOVE_RECURSE
  "liborvane_core.a"
)
