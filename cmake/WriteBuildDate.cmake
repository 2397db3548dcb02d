# Writes OUTPUT, a source that defines the date of this build (MM-DD-YYYY). Run at every build; the file
# changes, and so is compiled again, only when the date does. SOURCE_DATE_EPOCH fixes the date for
# reproducible builds.
string(TIMESTAMP date "%m-%d-%Y")
file(WRITE "${OUTPUT}.new" "// Written by the build: the date of this build.\nextern const char kBuildDate[];\nconst char kBuildDate[] = \"${date}\";\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
