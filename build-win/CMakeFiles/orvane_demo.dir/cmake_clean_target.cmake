file(REMOVE_RECURSE
  "liborvane_demo.a"
)
