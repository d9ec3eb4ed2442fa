# Appends "\nDPSEAL:<sha256 of the file so far>\n" to FILE; the program refuses to run without it.
file(SHA256 ${FILE} digest)
file(APPEND ${FILE} "\nDPSEAL:${digest}\n")
