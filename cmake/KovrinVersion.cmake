# The version of Kovrin, read by the main build and the fuzz build alike:
# the title "Kovrin 4.0", the package and the man pages are made from it.
set(KOVRIN_VERSION 4.0)
