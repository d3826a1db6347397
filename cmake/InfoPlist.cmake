# The macOS bundle's Info.plist, filled from the project's name and version so that Finder,
# the About box and the update check all see the same ones. configure_file runs on any
# platform, so the tests check the result on every build machine, not only on a Mac.
set(TARNWICK_BUNDLE_IDENTIFIER "org.example.tarnwick" CACHE STRING
    "Reverse-DNS identifier of the macOS application bundle")

function(tarnwick_write_info_plist output)
    set(TARNWICK_BUNDLE_NAME "${PROJECT_NAME}")
    set(TARNWICK_BUNDLE_EXECUTABLE "${PROJECT_NAME}")
    set(TARNWICK_BUNDLE_ICON "tarnwick.icns")
    configure_file(${PROJECT_SOURCE_DIR}/src/app/data/Info.plist.in ${output} @ONLY)
endfunction()
