// The resources of this library are registered by the objects qt_add_resources adds to it.
