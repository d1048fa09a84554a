file(REMOVE_RECURSE
  "libquillset_gui.a"
)
