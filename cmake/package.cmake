# The release zip, clicker-<version>-win32.zip: clicker.exe and the user guide
# in a folder of the same name. `cpack` in the build folder makes it.
install(TARGETS clicker RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/docs/使用说明.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME clicker)
set(CPACK_PACKAGE_FILE_NAME clicker-${PROJECT_VERSION}-win32)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
