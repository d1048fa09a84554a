file(REMOVE_RECURSE
  "libquillset_core.a"
)
