# Read by cpack before it builds the .deb. Without dpkg-shlibdeps the library
# scan is skipped in silence and the package would install, then fail to start.
find_program(CONTAPERLE_SHLIBDEPS dpkg-shlibdeps)
if(NOT CONTAPERLE_SHLIBDEPS)
  message(FATAL_ERROR "dpkg-shlibdeps not found: install dpkg-dev to build the package")
endif()
