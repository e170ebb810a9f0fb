# cmake -DFILE=path -P GzipFile.cmake: writes FILE.gz, FILE gzipped at the highest level.
file(ARCHIVE_CREATE OUTPUT "${FILE}.gz" PATHS "${FILE}" FORMAT raw COMPRESSION GZip
     COMPRESSION_LEVEL 9)
