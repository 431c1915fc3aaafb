// Compiled into a module that has no sources of its own yet.
