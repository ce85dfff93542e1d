file(REMOVE_RECURSE
  "liborvane_test_support.a"
)
