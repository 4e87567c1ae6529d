; The installer's own texts, in each language it offers, in the words the program's catalogues
; use (po/). Windows picks the one that matches the user's language, or English. The Retry a
; message names is the box's button as Windows labels it in that language. A line that ends in a
; backslash goes on in the next, without the next one's indent.

LangString StartPageTitle ${LANG_ENGLISH} "Start with Windows"
LangString StartPageTitle ${LANG_GERMAN} "Mit Windows starten"
LangString StartPageTitle ${LANG_FRENCH} "Démarrer avec Windows"
LangString StartPageTitle ${LANG_SPANISH} "Iniciar con Windows"
LangString StartPageTitle ${LANG_ITALIAN} "Avvia con Windows"
LangString StartPageTitle ${LANG_DUTCH} "Starten met Windows"
LangString StartPageTitle ${LANG_PORTUGUESEBR} "Iniciar com o Windows"

LangString StartPageSubtitle ${LANG_ENGLISH} "DawnQuill can only wake you while it runs."
LangString StartPageSubtitle ${LANG_GERMAN} "DawnQuill kann Sie nur wecken, solange es läuft."
LangString StartPageSubtitle ${LANG_FRENCH} \
  "DawnQuill ne peut vous réveiller que tant qu’il fonctionne."
LangString StartPageSubtitle ${LANG_SPANISH} \
  "DawnQuill solo puede despertarle mientras esté en ejecución."
LangString StartPageSubtitle ${LANG_ITALIAN} \
  "DawnQuill può dare la sveglia solo mentre è in esecuzione."
LangString StartPageSubtitle ${LANG_DUTCH} "DawnQuill kan u alleen wekken zolang het draait."
LangString StartPageSubtitle ${LANG_PORTUGUESEBR} \
  "O DawnQuill só pode despertar você enquanto estiver em execução."

LangString StartAtSignIn ${LANG_ENGLISH} "Start DawnQuill when I sign in"
LangString StartAtSignIn ${LANG_GERMAN} "DawnQuill starten, wenn ich mich anmelde"
LangString StartAtSignIn ${LANG_FRENCH} "Démarrer DawnQuill quand j’ouvre une session"
LangString StartAtSignIn ${LANG_SPANISH} "Iniciar DawnQuill cuando inicie sesión"
LangString StartAtSignIn ${LANG_ITALIAN} "Avvia DawnQuill quando accedo"
LangString StartAtSignIn ${LANG_DUTCH} "DawnQuill starten wanneer ik me aanmeld"
LangString StartAtSignIn ${LANG_PORTUGUESEBR} "Iniciar o DawnQuill quando eu entrar"

LangString RunDawnQuill ${LANG_ENGLISH} "Run DawnQuill"
LangString RunDawnQuill ${LANG_GERMAN} "DawnQuill ausführen"
LangString RunDawnQuill ${LANG_FRENCH} "Lancer DawnQuill"
LangString RunDawnQuill ${LANG_SPANISH} "Ejecutar DawnQuill"
LangString RunDawnQuill ${LANG_ITALIAN} "Esegui DawnQuill"
LangString RunDawnQuill ${LANG_DUTCH} "DawnQuill starten"
LangString RunDawnQuill ${LANG_PORTUGUESEBR} "Executar o DawnQuill"

LangString StillRunning ${LANG_ENGLISH} \
  "DawnQuill is still running and cannot be replaced.$\r$\nClose it, then press Retry."
LangString StillRunning ${LANG_GERMAN} \
  "DawnQuill läuft noch und kann nicht ersetzt werden.$\r$\nBeenden Sie es und klicken Sie \
  dann auf Wiederholen."
LangString StillRunning ${LANG_FRENCH} \
  "DawnQuill fonctionne encore et ne peut pas être remplacé.$\r$\nFermez-le, puis cliquez sur \
  Réessayer."
LangString StillRunning ${LANG_SPANISH} \
  "DawnQuill sigue en ejecución y no se puede reemplazar.$\r$\nCiérrelo y pulse Reintentar."
LangString StillRunning ${LANG_ITALIAN} \
  "DawnQuill è ancora in esecuzione e non può essere sostituito.$\r$\nChiuderlo, quindi \
  premere Riprova."
LangString StillRunning ${LANG_DUTCH} \
  "DawnQuill draait nog en kan niet worden vervangen.$\r$\nSluit het af en klik dan op Opnieuw."
LangString StillRunning ${LANG_PORTUGUESEBR} \
  "O DawnQuill ainda está em execução e não pode ser substituído.$\r$\nFeche-o e clique em \
  Repetir."

LangString NothingChanged ${LANG_ENGLISH} "DawnQuill is still running: nothing was changed."
LangString NothingChanged ${LANG_GERMAN} "DawnQuill läuft noch: Es wurde nichts geändert."
LangString NothingChanged ${LANG_FRENCH} "DawnQuill fonctionne encore  : rien n’a été modifié."
LangString NothingChanged ${LANG_SPANISH} \
  "DawnQuill sigue en ejecución: no se ha cambiado nada."
LangString NothingChanged ${LANG_ITALIAN} \
  "DawnQuill è ancora in esecuzione: non è stato modificato nulla."
LangString NothingChanged ${LANG_DUTCH} "DawnQuill draait nog: er is niets gewijzigd."
LangString NothingChanged ${LANG_PORTUGUESEBR} \
  "O DawnQuill ainda está em execução: nada foi alterado."
