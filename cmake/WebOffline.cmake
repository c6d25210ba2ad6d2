# Writes the page's service worker from TEMPLATE into FOLDER: the files it
# keeps (FILES, in FOLDER) and a version that is a hash of their bytes, so
# that any change to any of them makes a new worker. Run with cmake -P.
set(hashes "")
set(listed "'./'")
foreach(name ${FILES})
    file(SHA256 ${FOLDER}/${name} hash)
    string(APPEND hashes "${name} ${hash}\n")
    string(APPEND listed ", '${name}'")
endforeach()
string(SHA256 GROUNDLINE_CACHE_VERSION "${hashes}")
string(SUBSTRING ${GROUNDLINE_CACHE_VERSION} 0 16 GROUNDLINE_CACHE_VERSION)
set(GROUNDLINE_CACHED_FILES "${listed}")
configure_file(${TEMPLATE} ${FOLDER}/sw.js @ONLY)
