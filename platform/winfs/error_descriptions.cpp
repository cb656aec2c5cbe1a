#include "winfs/error_descriptions.h"

#include "winfs/error_numbers.h"

namespace vb {

namespace {

const char* BasicDescription(int number) {
    switch (number) {
    case kOverflow: return "Overflow.";
    case kOutOfMemory: return "Memoria esaurita.";
    case kTypeMismatch: return "Tipo non corrispondente.";
    case kWriteProtected: return "Supporto protetto da scrittura.";
    case kInternalError: return "Errore interno.";
    case kBadFileName: return "Nome o numero di file non valido.";
    case kFileNotFound: return "Impossibile trovare il file.";
    case kDeviceIoError: return "Errore di I/O della periferica.";
    case kFileAlreadyExists: return "File già esistente.";
    case kDiskFull: return "Disco pieno.";
    case kInputPastEnd: return "Input oltre la fine del file.";
    case kPermissionDenied: return "Permesso negato.";
    case kPathFileAccessError: return "Errore di accesso al percorso/file.";
    case kPathNotFound: return "Impossibile trovare il percorso.";
    case kInvalidUseOfNull: return "Utilizzo non valido di Null.";
    case kZipNothingToDo: return "Nessun file o archivio indicato.";
    case kZipNotAZip: return "Il file non è un archivio ZIP.";
    case kZipEntryNotFound: return "L'archivio non contiene il file richiesto.";
    case kZipCrcFailed: return "Controllo CRC non superato: il contenuto dell'archivio è danneggiato.";
    case kZipDamagedArchive: return "Archivio ZIP danneggiato o incompleto.";
    case kZipUnsupported:
        return "L'archivio contiene un elemento non supportato (collegamento, compressione o cifratura).";
    case kZipWrongDisk: return "Il disco inserito non è quello richiesto.";
    case kNoVersion7Database: return "L'archivio non contiene un database Vantorima 7 valido.";
    default: return nullptr;
    }
}

const char* EngineDescription(int number) {
    switch (number) {
    case dao::kReservedError: return "Errore riservato del motore di database.";
    case dao::kTableExists: return "La tabella esiste già.";
    case dao::kUpdateWithoutAddNew: return "Update o CancelUpdate senza AddNew o Edit.";
    case dao::kNoCurrentRow: return "Nessun record corrente.";
    case dao::kDuplicateKey: return "Valore duplicato nell'indice, nella chiave primaria o nella relazione.";
    case dao::kFileNotFound: return "Impossibile trovare il file.";
    case dao::kDiskFull: return "Spazio su disco insufficiente.";
    case dao::kReadOnly: return "Impossibile aggiornare. Il database o l'oggetto è di sola lettura.";
    case dao::kFileInUse: return "Impossibile utilizzare il file: è già in uso da un altro programma.";
    case dao::kDiskOrNetworkError: return "Errore del disco o della rete.";
    case dao::kInvalidPath: return "Percorso non valido.";
    case dao::kCannotOpenDatabase: return "Impossibile aprire il database. Il file potrebbe essere danneggiato.";
    case dao::kTableNotFound: return "Impossibile trovare la tabella.";
    case dao::kUnknownInsertField: return "L'istruzione INSERT INTO contiene un nome di campo sconosciuto.";
    case dao::kStatementNotSupported: return "Istruzione SQL non valida o non supportata.";
    case dao::kTextTooLong: return "Il campo è troppo piccolo per la quantità di dati da aggiungere.";
    case dao::kRecordDeleted: return "Il record è stato eliminato.";
    case dao::kFieldDefinedTwice: return "Impossibile definire più volte lo stesso campo.";
    case dao::kCompactTargetExists: return "Il database esiste già.";
    case dao::kDatabaseLocked: return "Impossibile aggiornare: il database è bloccato.";
    case dao::kFieldNotFound: return "Elemento non trovato nell'insieme.";
    case dao::kPrimaryKeyExists: return "La chiave primaria esiste già.";
    case dao::kIndexExists: return "L'indice esiste già.";
    case dao::kNullInRequiredField: return "Il campo richiede un valore: impossibile inserire Null.";
    case dao::kValidationRule: return "Il valore viola la regola di convalida del campo o della tabella.";
    case dao::kNotADatabase: return "Formato di database non supportato o file danneggiato.";
    case dao::kTypeRefused: return "Errore di conversione del tipo di dati.";
    case dao::kInvalidObject: return "Oggetto non valido o non più impostato.";
    default: return nullptr;
    }
}

} // namespace

std::string Describe(int number) {
    const char* text = BasicDescription(number);
    if (!text) text = EngineDescription(number);
    return text ? text : "";
}

std::string DescriptionOf(const RuntimeError& error) {
    std::string described = Describe(error.Number());
    return described.empty() ? error.Description() : described;
}

} // namespace vb
