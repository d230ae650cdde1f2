// Found first on the portable core's include path, so that a core file including <sql.h> fails to
// build: the core is built natively and knows nothing of Windows, ODBC or COM.
#error "the portable core must not include <sql.h>"
