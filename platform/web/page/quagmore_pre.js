// Runs inside the game's script before main: the player's home directory is
// kept in the browser's IndexedDB, read in here before the game starts.
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  // For the page: the file system, to put a dropped file where the game reads it.
  Module.quagmoreFS = FS;
  var home = '/home/web_user';
  try {
    FS.mount(IDBFS, {}, home);
  } catch (error) {
    Module.quagmoreFilesProblem = String(error);
    return;
  }
  addRunDependency('quagmore-files');
  FS.syncfs(true, function (error) {
    if (error)
      Module.quagmoreFilesProblem = String(error);
    removeRunDependency('quagmore-files');
  });
});
