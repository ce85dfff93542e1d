file(REMOVE_RECURSE
  "liborvane_logic.a"
)
