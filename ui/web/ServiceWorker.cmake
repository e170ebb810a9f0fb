# cmake -DDIST=folder -DFILES=name;... -DTEMPLATE=sw.js.in -P ServiceWorker.cmake
# Writes DIST/sw.js from TEMPLATE: the page's files to cache (the folder itself, which the
# browser asks for as the app's start, and each of FILES) and a version made from their
# contents, so that a build with any file changed installs afresh.
set(hashes "")
set(list "'./'")
foreach(file ${FILES})
    file(SHA256 "${DIST}/${file}" hash)
    string(APPEND hashes "${file} ${hash}\n")
    string(APPEND list ", '${file}'")
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING "${version}" 0 16 QUORVANE_WEB_VERSION)
set(QUORVANE_WEB_FILES "${list}")
configure_file("${TEMPLATE}" "${DIST}/sw.js" @ONLY)
