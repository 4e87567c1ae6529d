# Writes the text file TEXT as the header HEADER, which holds it whole in the constant NAME.
#   cmake -DTEXT=FILE -DHEADER=FILE.h -DNAME=kName -P TextHeader.cmake
file(READ ${TEXT} text)
file(WRITE ${HEADER} "#pragma once\n\ninline constexpr char ${NAME}[] = R\"text(${text})text\";\n")
