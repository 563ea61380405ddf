<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>driver::CodeTables</name>
    <message>
        <source>%1</source>
        <extracomment>UnknownCodePrefix: the text of a code the table file has no name for, %1 standing for its number. Keep it &quot;%1&quot;: other programs take a bare number for &quot;no name&quot;.</extracomment>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>driver::DriverProgram</name>
    <message>
        <source>Other programs cannot reach the driver: %1</source>
        <translation>Les autres programmes ne peuvent pas joindre le pilote : %1</translation>
    </message>
</context>
<context>
    <name>driver::PortListInfo</name>
    <message>
        <source>no device</source>
        <translation>aucun périphérique</translation>
    </message>
</context>
<context>
    <name>driver::PortProblem</name>
    <message>
        <source>Your user account may not use this device. Add it to the group &quot;dialout&quot; (sudo usermod -aG dialout $USER), then log out and log in again.</source>
        <translation>Votre compte utilisateur n&apos;a pas le droit d&apos;utiliser ce périphérique. Ajoutez-le au groupe &quot;dialout&quot; (sudo usermod -aG dialout $USER), puis fermez la session et rouvrez-la.</translation>
    </message>
    <message>
        <source>Another program is using the port. Close that program or choose another port.</source>
        <translation>Un autre programme utilise le port. Fermez ce programme ou choisissez un autre port.</translation>
    </message>
    <message>
        <source>Connect the modem, or pin %1 to its device in the [Ports] section of %2 (for example %1=/dev/ttyUSB0).</source>
        <extracomment>%1 the port name (COM3), %2 the settings file.</extracomment>
        <translation>Branchez le modem, ou associez %1 à son périphérique dans la section [Ports] de %2 (par exemple %1=/dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>The device is not a serial port. Check the [Ports] section of %1.</source>
        <extracomment>%1 the settings file.</extracomment>
        <translation>Le périphérique n&apos;est pas un port série. Vérifiez la section [Ports] de %1.</translation>
    </message>
    <message>
        <source>This port cannot be used!</source>
        <translation>Ce port ne peut pas être utilisé !</translation>
    </message>
    <message>
        <source>no serial device goes by this name</source>
        <translation>aucun périphérique série ne porte ce nom</translation>
    </message>
</context>
<context>
    <name>driver::ReplyLine</name>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Polling address</source>
        <translation>Adresse d&apos;interrogation</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Device status</source>
        <translation>État de l&apos;appareil</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Réponses remises</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Byte %1</source>
        <translation>Octet %1</translation>
    </message>
    <message>
        <source>Unit %1</source>
        <translation>Unité %1</translation>
    </message>
    <message>
        <source>Float %1</source>
        <translation>Flottant %1</translation>
    </message>
    <message>
        <source>Packed text %1</source>
        <translation>Texte Packed ASCII %1</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Texte %1</translation>
    </message>
    <message>
        <source>Integer %1</source>
        <translation>Entier %1</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Type d&apos;appareil</translation>
    </message>
    <message>
        <source>Preambles</source>
        <translation>Préambules</translation>
    </message>
    <message>
        <source>HART revision</source>
        <translation>Révision HART</translation>
    </message>
    <message>
        <source>Device revision</source>
        <translation>Révision de l&apos;appareil</translation>
    </message>
    <message>
        <source>Software revision</source>
        <translation>Révision du logiciel</translation>
    </message>
    <message>
        <source>Hardware revision</source>
        <translation>Révision du matériel</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Indicateurs</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>ID de l&apos;appareil</translation>
    </message>
    <message>
        <source>Loop current</source>
        <translation>Courant de boucle</translation>
    </message>
    <message>
        <source>Percent of range</source>
        <translation>Pourcentage de l&apos;échelle</translation>
    </message>
    <message>
        <source>PV</source>
        <translation>PV</translation>
    </message>
    <message>
        <source>SV</source>
        <translation>SV</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>QV</source>
        <translation>QV</translation>
    </message>
    <message>
        <source>PV unit</source>
        <translation>Unité PV</translation>
    </message>
    <message>
        <source>SV unit</source>
        <translation>Unité SV</translation>
    </message>
    <message>
        <source>TV unit</source>
        <translation>Unité TV</translation>
    </message>
    <message>
        <source>QV unit</source>
        <translation>Unité QV</translation>
    </message>
    <message>
        <source>PV variable</source>
        <translation>Variable affectée à PV</translation>
    </message>
    <message>
        <source>SV variable</source>
        <translation>Variable affectée à SV</translation>
    </message>
    <message>
        <source>TV variable</source>
        <translation>Variable affectée à TV</translation>
    </message>
    <message>
        <source>QV variable</source>
        <translation>Variable affectée à QV</translation>
    </message>
    <message>
        <source>PV damping</source>
        <translation>Amortissement PV</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Repère</translation>
    </message>
    <message>
        <source>Unit tag</source>
        <translation>Repère d&apos;unité</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <translation>Descripteur</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Final assembly number</source>
        <translation>Numéro d&apos;assemblage final</translation>
    </message>
    <message>
        <source>Transducer serial number</source>
        <translation>Numéro de série du transducteur</translation>
    </message>
    <message>
        <source>Transducer limits unit</source>
        <translation>Unité des limites du transducteur</translation>
    </message>
    <message>
        <source>Upper transducer limit</source>
        <translation>Limite haute du transducteur</translation>
    </message>
    <message>
        <source>Lower transducer limit</source>
        <translation>Limite basse du transducteur</translation>
    </message>
    <message>
        <source>Sensor serial number</source>
        <translation>Numéro de série du capteur</translation>
    </message>
    <message>
        <source>Sensor limits unit</source>
        <translation>Unité des limites du capteur</translation>
    </message>
    <message>
        <source>Upper sensor limit</source>
        <translation>Limite haute du capteur</translation>
    </message>
    <message>
        <source>Lower sensor limit</source>
        <translation>Limite basse du capteur</translation>
    </message>
    <message>
        <source>Minimum span</source>
        <translation>Étendue minimale</translation>
    </message>
    <message>
        <source>Alarm selection</source>
        <translation>Sélection d&apos;alarme</translation>
    </message>
    <message>
        <source>Alarm selection code</source>
        <translation>Code de sélection d&apos;alarme</translation>
    </message>
    <message>
        <source>Transfer function</source>
        <translation>Fonction de transfert</translation>
    </message>
    <message>
        <source>Range unit</source>
        <translation>Unité d&apos;échelle</translation>
    </message>
    <message>
        <source>Upper range value</source>
        <translation>Valeur haute d&apos;échelle</translation>
    </message>
    <message>
        <source>Lower range value</source>
        <translation>Valeur basse d&apos;échelle</translation>
    </message>
    <message>
        <source>Damping</source>
        <translation>Amortissement</translation>
    </message>
    <message>
        <source>Write protect</source>
        <translation>Protection en écriture</translation>
    </message>
    <message>
        <source>Private label distributor</source>
        <translation>Distributeur (marque privée)</translation>
    </message>
    <message>
        <source>Variable %1</source>
        <translation>Variable %1</translation>
    </message>
    <message>
        <source>Variable %1 code</source>
        <translation>Code de la variable %1</translation>
    </message>
    <message>
        <source>Variable %1 unit</source>
        <translation>Unité de la variable %1</translation>
    </message>
    <message>
        <source>Device variable</source>
        <translation>Variable d&apos;appareil</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>EEPROM control code</source>
        <translation>Code de commande EEPROM</translation>
    </message>
    <message>
        <source>Fixed current</source>
        <translation>Courant fixe</translation>
    </message>
    <message>
        <source>Measured current</source>
        <translation>Courant mesuré</translation>
    </message>
    <message>
        <source>Status bytes %1</source>
        <translation>Octets d&apos;état %1</translation>
    </message>
    <message>
        <source>Status byte %1</source>
        <translation>Octet d&apos;état %1</translation>
    </message>
    <message>
        <source>Analog channel</source>
        <translation>Voie analogique</translation>
    </message>
    <message>
        <source>Analog channel unit</source>
        <translation>Unité de la voie analogique</translation>
    </message>
    <message>
        <source>Analog channel level</source>
        <translation>Niveau de la voie analogique</translation>
    </message>
    <message>
        <source>Channel unit</source>
        <translation>Unité de la voie</translation>
    </message>
    <message>
        <source>Channel level</source>
        <translation>Niveau de la voie</translation>
    </message>
    <message>
        <source>Channel %1 number</source>
        <translation>Numéro de la voie %1</translation>
    </message>
    <message>
        <source>Channel %1 unit</source>
        <translation>Unité de la voie %1</translation>
    </message>
    <message>
        <source>Channel %1 level</source>
        <translation>Niveau de la voie %1</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Endpoint unit</source>
        <translation>Unité des points extrêmes</translation>
    </message>
    <message>
        <source>Upper endpoint</source>
        <translation>Point extrême haut</translation>
    </message>
    <message>
        <source>Lower endpoint</source>
        <translation>Point extrême bas</translation>
    </message>
    <message>
        <source>Burst variable %1</source>
        <translation>Variable burst %1</translation>
    </message>
    <message>
        <source>Burst command</source>
        <translation>Commande burst</translation>
    </message>
    <message>
        <source>Burst mode</source>
        <translation>Mode burst</translation>
    </message>
</context>
<context>
    <name>driver::THalvaneForm</name>
    <message>
        <source>with DDE interface</source>
        <translation>avec interface DDE</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>Primary Master</source>
        <translation>Maître primaire</translation>
    </message>
    <message>
        <source>Secondary Master</source>
        <translation>Maître secondaire</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no port</comment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Port Status:</source>
        <translation>État du port :</translation>
    </message>
    <message>
        <source>Manual commands</source>
        <translation>Commandes manuelles</translation>
    </message>
    <message>
        <source>Odesilat dokola</source>
        <extracomment>The repeat box: &quot;send repeatedly&quot; (the built-in caption is Czech).</extracomment>
        <translation>Envoyer en boucle</translation>
    </message>
    <message>
        <source>Send Command</source>
        <translation>Envoyer la commande</translation>
    </message>
    <message>
        <source>Frames sent</source>
        <translation>Trames envoyées</translation>
    </message>
    <message>
        <source>Receive events</source>
        <translation>Événements de réception</translation>
    </message>
    <message>
        <source>Replies delivered</source>
        <translation>Réponses remises</translation>
    </message>
    <message>
        <source>Show Panel</source>
        <translation>Afficher le panneau</translation>
    </message>
    <message>
        <source>Close Halvane</source>
        <translation>Quitter Halvane</translation>
    </message>
    <message>
        <source>No notification area: closing minimises this window. Right-click it for &quot;%1&quot;.</source>
        <translation>Pas de zone de notification : fermer réduit la fenêtre. Clic droit dessus : « %1 ».</translation>
    </message>
    <message>
        <source>No HART Modem Connected!</source>
        <translation>Aucun modem HART connecté !</translation>
    </message>
    <message>
        <source>No HART Modem Detected!<byte value="xd"/>
Do you really want to use this port?</source>
        <translation>Aucun modem HART détecté !<byte value="xd"/>
Voulez-vous vraiment utiliser ce port ?</translation>
    </message>
    <message>
        <source>Do You really want to exit Halvane?<byte value="xd"/>
It disallows to other programs to communicate with HART devices!</source>
        <translation>Voulez-vous vraiment quitter Halvane ?<byte value="xd"/>
Les autres programmes ne pourront plus communiquer avec les appareils HART !</translation>
    </message>
    <message>
        <source>gone</source>
        <extracomment>The port status when the port&apos;s device went away.</extracomment>
        <translation>déconnecté</translation>
    </message>
    <message>
        <source>The device of %1 (%2) went away. Halvane opens it again by itself when it comes back; until then every command answers &quot;Communication Error!&quot;.</source>
        <translation>Le périphérique de %1 (%2) a disparu. Halvane le rouvrira de lui-même à son retour ; d&apos;ici là, chaque commande répond « Communication Error! ».</translation>
    </message>
    <message>
        <source>Halvane: %1 gone</source>
        <translation>Halvane : %1 déconnecté</translation>
    </message>
</context>
</TS>
