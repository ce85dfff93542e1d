file(REMOVE_RECURSE
  "liborvane_cli.a"
)
